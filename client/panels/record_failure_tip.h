#pragma once
// The tip a panel of page 常用 shows when its query found nothing: the stock is unknown or
// has no evaluation, or the server could not be reached.
#include "client/data/record_status.h"

class QWidget;

void ShowRecordFailure(QWidget* owner, RecordStatus status);
