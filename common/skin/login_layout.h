#pragma once
// login.gif, the login window: a dark header band with the title buttons, the form card
// with the name, password, check boxes and buttons, the register link below the card and
// the status line in the footer under a thin rule.
#include "common/skin/button_sizes.h"
#include "common/skin/skin_rect.h"

namespace skin::login {

inline constexpr Size kSize{415, 281};

// Drawn frames.
inline constexpr Area kHeaderBand{"header_band", {0, 0, 415, 92}};
inline constexpr Area kBody{"body", {0, 92, 415, 160}};
inline constexpr Area kFooterRule{"footer_rule", {16, 252, 383, 1}};
inline constexpr Area kFooter{"footer", {0, 253, 415, 28}};
inline constexpr Area kFormCard{"form_card", {84, 100, 324, 128}};

// Controls.
inline constexpr Area kMinimise{"minimise", At(361, 6, buttons::kTitle), &kHeaderBand};
inline constexpr Area kClose{"close", At(385, 6, buttons::kTitle), &kHeaderBand};
inline constexpr Area kNameCaption{"name_caption", {104, 112, 54, 24}, &kFormCard};
inline constexpr Area kPasswordCaption{"password_caption", {104, 144, 54, 24}, &kFormCard};
inline constexpr Area kUserName{"user_name", {160, 112, 172, 24}, &kFormCard};
inline constexpr Area kPassword{"password", {160, 144, 172, 24}, &kFormCard};
inline constexpr Area kForgotLink{"forgot_link", {338, 147, 66, 18}, &kFormCard};
inline constexpr Area kRemember{"remember", {160, 173, 84, 20}, &kFormCard};
inline constexpr Area kAutoLogin{"auto_login", {256, 173, 84, 20}, &kFormCard};
inline constexpr Area kLoginButton{"login_button", At(160, 197, buttons::kLoginAction), &kFormCard};
inline constexpr Area kGuestButton{"guest_button", At(256, 197, buttons::kLoginAction), &kFormCard};
inline constexpr Area kRegisterLink{"register_link", {96, 231, 260, 18}, &kBody};
inline constexpr Area kStatus{"status", {16, 256, 240, 20}, &kFooter};

inline constexpr const Area* kAreas[] = {
    &kHeaderBand,  &kBody,         &kFooterRule,      &kFooter,    &kFormCard,
    &kMinimise,    &kClose,        &kNameCaption,     &kPasswordCaption,
    &kUserName,    &kPassword,     &kForgotLink,      &kRemember,  &kAutoLogin,
    &kLoginButton, &kGuestButton,  &kRegisterLink,    &kStatus,
};
inline constexpr Picture kPicture{"login.gif", kSize, kAreas};

}  // namespace skin::login
