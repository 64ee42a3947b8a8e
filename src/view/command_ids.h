#pragma once
// Identifiers of the menu commands, as WM_COMMAND carries them.

// One row per menu.
// clang-format off
enum class CommandId : int {
  None = 0,
  File1 = 100, Open1, Z1, Save1, N1, X1, C1, N111, N21, N4,
  List1 = 200, Delete1, W1, S1,
  N2 = 300, S2, R1, S4, R2, N3, S3, Tile1, L1,
  M1 = 400, O1, N5,
};
// clang-format on
