#pragma once
// The tip a panel shows when its query found nothing: the connection message when the
// server could not be reached, otherwise the panel's own not-found message.
#include <string>

#include "client/data/record_status.h"

class QWidget;

// `notFound` is GBK text.
void ShowQueryFailure(QWidget* owner, RecordStatus status, const std::string& notFound);
