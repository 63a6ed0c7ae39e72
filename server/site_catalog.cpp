#include "server/site_catalog.h"

namespace server {

const std::vector<NewsSiteCategory>& NewsSiteCategories() {
    static const std::vector<NewsSiteCategory> kCategories = {
        {"ZFL", "政府类", "gov",
         {"中国政府网", "中国证监会", "国务院国资委", "国家发展改革委", "财政部", "中国人民银行",
          "工业和信息化部", "商务部", "国家统计局", "上海证券交易所", "深圳证券交易所"}},
        {"MHL", "门户类", "portal",
         {"新浪财经", "搜狐财经", "网易财经", "腾讯财经", "凤凰财经", "和讯网", "东方财富网",
          "新华网", "人民网", "中国新闻网"}},
        {"ZYL", "专业类", "pro",
         {"中国证券报", "上海证券报", "证券时报", "证券日报", "第一财经", "21世纪经济报道",
          "经济观察报", "财新网", "中国经营报", "每日经济新闻"}},
        {"LTL", "论坛类", "forum",
         {"股吧", "雪球", "淘股吧", "理想论坛", "和讯股吧", "新浪股吧", "天涯论坛", "百度贴吧",
          "金融界社区", "中金在线论坛"}},
        {"KRCJL", "Kestrun财经类", "kestrun",
         {"Kestrun财经首页", "Kestrun要闻", "Kestrun个股频道", "Kestrun研报中心", "Kestrun快讯",
          "Kestrun评论", "Kestrun数据中心", "Kestrun专栏", "Kestrun直播室", "Kestrun问答"}},
    };
    return kCategories;
}

}  // namespace server
