#pragma once

#include <string>

#include "model/line_pieces.h"

namespace qel {

// The file that a texture statement such as "map_Kd -s 2 2 1 -clamp on my wood.jpg" names,
// as modellers write them: the options before it left out, the rest of the line the name
// (blanks kept, surrounding quotes removed).
std::string textureStatementFile(const TokenTable& tokens);

// Whether a keyword of an MTL file names a texture: map_Kd, map_Bump, bump, refl and the like.
bool isTextureStatement(std::string_view keyword);

// The text of the tokens from first to the end of the line, the separators between them
// as blanks; the line's end and trailing blanks left out.
std::string restOfLine(const TokenTable& tokens, std::size_t first);

}  // namespace qel
