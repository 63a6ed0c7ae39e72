#pragma once
// The tip a panel shows when its query found nothing: the connection message when the
// server could not be reached, otherwise the panel's own not-found message.
#include <string>

#include "client/data/record_status.h"

class QWidget;

// `notFound` is GBK text.
void ShowQueryFailure(QWidget* owner, RecordStatus status, const std::string& notFound);
// The same with the stock panels' not-found message, "找不到该股票或该股票无评测内容！".
void ShowRecordFailure(QWidget* owner, RecordStatus status);
