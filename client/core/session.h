#pragma once
// Who is using the client: the user who logged in, or a guest. The client start-up owns
// one session; the login window fills it, the main window and its pages read it, and
// background workers take a copy when they start.
#include <string>
#include <utility>
#include <string_view>

inline constexpr std::string_view kGuestUserName = "guest";

struct Session {
    std::string userName;  // as typed; kGuestUserName for a guest
    std::string password;  // the current password, in clear
    bool guest = false;

    void LogIn(std::string name, std::string typedPassword) {
        userName = std::move(name);
        password = std::move(typedPassword);
        guest = false;
    }
    // A guest keeps whatever password the session held.
    void EnterAsGuest() {
        userName = std::string(kGuestUserName);
        guest = true;
    }
};
