// Windows-1251, the 8-bit Cyrillic text the names and chat lines travel
// in. The program keeps its texts in UTF-8; these convert at the wire.
#pragma once

#include <string>

// Characters Windows-1251 has no byte for become '?'.
std::string Utf8ToCp1251(const std::string& utf8);
// Byte 0x98, which Windows-1251 leaves unassigned, becomes '?'.
std::string Cp1251ToUtf8(const std::string& bytes);

// The first byte in upper case (Latin and Cyrillic letters, ё and the other
// letters of the upper half); the rest stays as it is.
std::string UpperFirstCp1251(std::string bytes);

// Whether a byte may appear in a name or a chat line: no control bytes and
// not the one unassigned byte.
bool IsTextByteCp1251(unsigned char byte);
