// SPDX-License-Identifier: MIT
// The window's fixed texts, in UTF-8.
#pragma once

namespace qirvo {

inline constexpr const char* kProductName = "VEXA丶Qirvo";

inline constexpr const char* kNoticeText =
    "欢迎使用VEXA丶Qirvo,你们的支持是我们的动力,没有我们做不到的,只有你想不到的！";

inline constexpr const char* kIntroductionText =
    "为了操作方便、快捷、才开发本作品、VEXA丶Qirvo、这是开始的第一步\r\n\r\n\r\n"
    "支持系统:Win_xp32位、Win7_32位、Win7_64位、Win8_32位、Win8_64位\r\n\r\n\r\n"
    "联系作者:QQ 10001 (加好友请注明来意)";

}  // namespace qirvo
