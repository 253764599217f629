#pragma once
// The product's identity as the installed system shows it.

inline constexpr const char *kProductName = "云雀视界";
inline constexpr const char *kProductHomePage = "http://www.larkview.example/";
inline constexpr const char *kPublisherNotice = "云雀视界 (larkview.example) 版权所有";
