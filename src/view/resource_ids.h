#pragma once
// Identifiers of the program's resources, shared by the code and the .rc file.

#define kMainIcon 1
#define kHomeGlyph 100
#define kPreviewTemplate 200
#define kPreviewFrame 201
#define kPreviewSize 202
