#include "client/panels/record_failure_tip.h"

#include "client/core/gbk.h"
#include "client/panels/tip.h"

void ShowRecordFailure(QWidget* owner, RecordStatus status) {
    ShowTip(owner, Gbk(status == RecordStatus::FetchFailed ? "连接服务器失败,请稍后再试!"
                                                            : "找不到该股票或该股票无评测内容！"));
}
