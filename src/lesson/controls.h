#pragma once
// The thirteen controls of the window, in the order of the layout.

#include <cstdint>

namespace godo {

enum class Control : uint8_t {
    Command1, keturon, godo, henkaku, sankaku, katei, owari, saisyo, migi, hidari, gamen, Label1, Label3
};

inline constexpr int kControlCount = 13;

} // namespace godo
