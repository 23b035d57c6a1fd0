// Identifiers of the main window's controls, by the names the window data gives them.
#pragma once

#include <cstdint>

namespace quorvane::controls {

inline constexpr std::uint32_t 标签1 = 0x16010002;
inline constexpr std::uint32_t 标签2 = 0x16010003;
inline constexpr std::uint32_t 框架左眼 = 0x16010004;
inline constexpr std::uint32_t 框架右眼 = 0x16010005;
inline constexpr std::uint32_t 隐形右眼 = 0x16010008;
inline constexpr std::uint32_t 隐形左眼 = 0x16010009;
inline constexpr std::uint32_t 标签3 = 0x1601000a;
inline constexpr std::uint32_t 标签4 = 0x1601000b;
inline constexpr std::uint32_t 标签5 = 0x1601000c;
inline constexpr std::uint32_t 标签6 = 0x1601000d;
inline constexpr std::uint32_t 左眼散光 = 0x1601000e;
inline constexpr std::uint32_t 右眼散光 = 0x1601000f;
inline constexpr std::uint32_t 按钮1 = 0x16010010;
inline constexpr std::uint32_t 标签7 = 0x16010011;
inline constexpr std::uint32_t 标签8 = 0x16010014;

}  // namespace quorvane::controls
