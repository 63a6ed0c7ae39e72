#pragma once
// Shows one of the client's short messages in the tip window (information style).
#include <string>

class QWidget;

// `message` is GBK text. Returns the tip window's answer.
int ShowTip(QWidget* owner, const std::string& message);
