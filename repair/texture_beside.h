#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qel {

// An image beside the OBJ file named after it, for a model whose materials name no
// texture: car.png, car_diffuse.tga, car_col.jpg and the like, in any case, the plain name
// before the suffixed ones. Nothing when there is none.
std::optional<std::u16string> findTextureBeside(std::u16string_view objPath);

}  // namespace qel
