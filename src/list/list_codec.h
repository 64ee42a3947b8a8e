#pragma once
// The picture-list file: each entry's bytes followed by CR LF, nothing else.

#include <string>
#include <string_view>
#include <vector>

std::string EncodeListFile(const std::vector<std::string>& entries);

// CR LF, a lone CR and a lone LF each end a line; a line end at the very end
// adds no empty entry; a NUL byte ends the text. Lines are kept whole, however
// long, so that a list read and saved again keeps every byte of its lines.
std::vector<std::string> DecodeListFile(std::string_view bytes);
