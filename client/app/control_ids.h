#pragma once
// Control, dialog, timer and command numbers of the login window, the main window and
// its tray menu. Every control's objectName is its number, so tests find controls by id.
#include "client/app/window_layer.h"

namespace ids {

// Dialogs.
inline constexpr int kLoginDialog = 129;
inline constexpr int kMainDialog = 102;
inline constexpr int kAboutDialog = 167;
inline constexpr int kAppIcon = 128;

// Login window.
inline constexpr int kUserName = 1005;
inline constexpr int kPassword = 1001;
inline constexpr int kRememberPassword = 1002;
inline constexpr int kAutoLogin = 1090;
inline constexpr int kLoginButton = 1003;
inline constexpr int kGuestButton = 1004;
inline constexpr int kMinimise = 1093;
inline constexpr int kClose = 1094;
inline constexpr int kForgotPasswordLink = 1088;
inline constexpr int kRegisterLink = 1089;
inline constexpr int kStatus = 1095;
inline constexpr int kAutoLoginTimer = 80;
inline constexpr int kAutoLoginDelayMs = 500;

// Main window.
inline constexpr int kPagePlaceholder = 1008;
inline constexpr int kEvalPageButton = 1072;
inline constexpr int kAnalysisPageButton = 1073;
inline constexpr int kToolsPageButton = 1074;
inline constexpr int kHistoryCaption = 1096;
inline constexpr int kHistoryText = 1037;
inline constexpr int kWebStrip = 1188;
inline constexpr int kAdPlaceholder1 = 1191;
inline constexpr int kAdPlaceholder2 = 1192;
inline constexpr int kLogoutLink = 1193;
inline constexpr int kUpgradeLink = 1194;
inline constexpr int kComplaintLink = 1195;
inline constexpr int kVersionLine = 1196;
inline constexpr int kGreeting = 1219;
inline constexpr int kHomeLink = 1220;
inline constexpr int kAccountLink = 1221;
inline constexpr int kRecommendLink = 1222;
inline constexpr int kTopMostTimer = 300;
inline constexpr int kTopMostMs = 2000;

// The tray: notification message, icon id (the menu's resource number) and commands.
inline constexpr int kTrayNotify = 0x0400 + 500;  // WM_USER + 500
inline constexpr int kTrayMenu = 166;
inline constexpr int kCmdMakerSite = 32773;
inline constexpr int kCmdProducts = 32774;
inline constexpr int kCmdShowOrMinimise = 32775;
inline constexpr int kCmdNewsList = 32776;
inline constexpr int kCmdUpdate = 32777;
inline constexpr int kCmdRepair = 32778;
inline constexpr int kCmdHelp = 32779;
inline constexpr int kCmdAbout = 32772;
inline constexpr int kCmdExit = 32771;
inline constexpr int kTrayDefaultPosition = 3;

// The about window's close button.
inline constexpr int kAboutClose = 2;

}  // namespace ids
