#include "client/panels/query_failure.h"

#include "client/core/gbk.h"
#include "client/panels/tip.h"

void ShowQueryFailure(QWidget* owner, RecordStatus status, const std::string& notFound) {
    ShowTip(owner, status == RecordStatus::FetchFailed ? Gbk("连接服务器失败,请稍后再试!") : notFound);
}

void ShowRecordFailure(QWidget* owner, RecordStatus status) {
    ShowQueryFailure(owner, status, Gbk("找不到该股票或该股票无评测内容！"));
}
