#include "server/web_pages.h"

#include <algorithm>

#include "server/bulletin_documents.h"
#include "server/industry_catalog.h"
#include "server/market_calendar.h"
#include "server/market_list_documents.h"
#include "server/number_text.h"
#include "server/site_catalog.h"
#include "server/user_store.h"

namespace server {
namespace {

const char* kStyle =
    "body{margin:0;font-family:'WenQuanYi Micro Hei','Microsoft YaHei',sans-serif;font-size:14px;"
    "color:#233;background:#f4f7fb}"
    "header{background:#1d385b;color:#fff;padding:10px 18px}header h1{margin:0;font-size:18px}"
    "header p{margin:4px 0 0;font-size:12px;color:#c9d6e6}"
    "main{padding:14px 18px;max-width:860px}h2{font-size:16px;color:#1d385b;margin:14px 0 8px}"
    "a{color:#2e5ac6;text-decoration:none}a:hover{text-decoration:underline}"
    "table{border-collapse:collapse;width:100%;background:#fff}"
    "td,th{border:1px solid #d5dde8;padding:5px 8px;text-align:left}th{background:#e8eef6}"
    ".up{color:#cc0000}.down{color:#006400}.note{color:#456676;font-size:12px}"
    "form label{display:block;margin:8px 0 2px}input,textarea{padding:4px;border:1px solid #9ab}"
    "footer{padding:10px 18px;color:#789;font-size:12px}";

std::string Page(const std::string& title, const std::string& subtitle, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           EscapeHtml(title) + " - Quorvel</title>\n<style>" + kStyle + "</style>\n</head>\n<body>\n<header><h1>" +
           EscapeHtml(title) + "</h1><p>" + EscapeHtml(subtitle) + "</p></header>\n<main>\n" + body +
           "\n</main>\n<footer>Quorvel 示例服务器 · 数据为演示用途，不构成投资建议。</footer>\n</body>\n</html>\n";
}

std::string ChangeCell(double change) {
    return std::string("<td class=\"") + (change > 0 ? "up" : "down") + "\">" + SignedPercent(change) + "</td>";
}

std::vector<const IndustryDay*> ByChange(const MarketModel& model) {
    std::vector<const IndustryDay*> order;
    for (const auto& day : model.IndustryDays()) order.push_back(&day);
    std::stable_sort(order.begin(), order.end(), [](const IndustryDay* a, const IndustryDay* b) {
        return a->averageChange > b->averageChange;
    });
    return order;
}

std::string IndustryTable(const MarketModel& model, std::size_t rows) {
    std::string html = "<table><tr><th>行业</th><th>平均涨跌</th><th>个股数</th></tr>";
    const auto order = ByChange(model);
    for (std::size_t i = 0; i < order.size() && i < rows; ++i) {
        html += "<tr><td>" + std::string(Industries()[static_cast<std::size_t>(order[i]->industry)].name) +
                "</td>" + ChangeCell(order[i]->averageChange) + "<td>" +
                std::to_string(order[i]->members.size()) + "</td></tr>";
    }
    return html + "</table>";
}

std::string Home(const MarketModel& model) {
    return Page("Quorvel 股票评测", "Kestrun财经出品 · 沪深A股智能评测",
                "<p>Quorvel 对沪深两市全部A股给出基本面、市场面、技术面、资金面、消息面和专家评六个方面的评分、"
                "总评分与评测结果，并提供主力、仓位、多空、支撑、压力、热度、股性、机构评测和 TOPEYES 资金流向。</p>"
                "<h2>今日热门行业</h2>" + IndustryTable(model, 5) +
                "<h2>常用链接</h2><ul>"
                "<li><a href=\"/sysm.html\">使用帮助</a></li>"
                "<li><a href=\"/articlelist.asp\">信息提示</a></li>"
                "<li><a href=\"/live/clientlive.html\">第一现场</a></li>"
                "<li><a href=\"/Web/Register.aspx?fromkey=client\">免费注册</a></li>"
                "<li><a href=\"/plan/spring/\">春季活动</a></li></ul>");
}

std::string Help() {
    return Page("使用帮助", "Quorvel 客户端使用说明",
                "<h2>登录</h2><p>使用 Kestrun 账号登录，或点击“游客登陆”直接进入。演示账号：<b>demo</b>，密码 <b>demo123</b>。</p>"
                "<h2>常用</h2><p>输入六位股票代码（也可输入拼音首字母或名称后在下拉列表中双击选择），按回车或点击“查询”。"
                "“综合评测”显示最近两次评测的六项评分、总评分和评测结果，点击表头可查看各分析面的详细数据。</p>"
                "<h2>分析</h2><p>热门行业、行业热股、所属版块与财务分析；财务分析默认列出每股收益最高的50只个股，点击表头排序。</p>"
                "<h2>辅助</h2><p>第一现场、在线交流、数据计算（盈亏计算器）、明日是谁和老黄历。</p>"
                "<h2>托盘菜单</h2><p>在线升级、在线修复、信息提示、关于和退出。</p>");
}

std::string Strip(const MarketModel& model) {
    const auto order = ByChange(model);
    std::string items;
    for (std::size_t i = 0; i < order.size() && i < 4; ++i) {
        const double change = order[i]->averageChange;
        items += std::string("<span>") + Industries()[static_cast<std::size_t>(order[i]->industry)].name +
                 " <b class=\"" + (change > 0 ? "up" : "down") + "\">" + SignedPercent(change) + "</b></span> ";
    }
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>Quorvel</title><style>"
           "body{margin:0;padding:4px 8px;font:12px 'WenQuanYi Micro Hei',sans-serif;background:#eef3f9;color:#233;"
           "white-space:nowrap;overflow:hidden}span{margin-right:14px}.up{color:#c00}.down{color:#064}"
           "</style></head><body>热门行业 " + LastTradingDay().Iso() + "：" + items + "</body></html>\n";
}

std::string ArticleList(const MarketModel& model) {
    std::string body = "<table><tr><th>时间</th><th>标题</th></tr>";
    for (const auto& article : NewsArticles(model)) {
        body += "<tr><td>" + article.time + "</td><td><a href=\"/news/" + article.id + ".html\">" +
                EscapeHtml(article.title) + "</a></td></tr>";
    }
    return Page("信息提示", "Quorvel 最新资讯", body + "</table>");
}

std::optional<std::string> Article(const std::string& id, const MarketModel& model) {
    for (const auto& article : NewsArticles(model)) {
        if (article.id == id)
            return Page(article.title, article.time, "<p>" + EscapeHtml(article.content) + "</p>"
                                                     "<p><a href=\"/articlelist.asp\">返回信息列表</a></p>");
    }
    return std::nullopt;
}

std::string Almanac() {
    const MarketDate day = LastTradingDay();
    return Page("老黄历", day.Iso() + " 交易日历",
                "<table><tr><th>宜</th><td>逢低布局业绩确定的龙头，检查持仓止损位，复盘本周热点</td></tr>"
                "<tr><th>忌</th><td>满仓追高，听信小道消息，频繁短线交易</td></tr>"
                "<tr><th>提示</th><td>周末前注意控制仓位，关注下周重要经济数据发布。</td></tr></table>");
}

std::string Live(const MarketModel& model) {
    const auto order = ByChange(model);
    auto name = [&](std::size_t i) {
        return i < order.size() ? std::string(Industries()[static_cast<std::size_t>(order[i]->industry)].name) : "";
    };
    const std::string last = order.empty() ? "" : name(order.size() - 1);
    std::string rows;
    const std::pair<const char*, std::string> entries[] = {
        {"15:00", "收盘：" + name(0) + "板块领涨，两市成交温和放大。"},
        {"14:30", name(1) + "板块午后走强，多只个股涨幅居前。"},
        {"13:05", "午后开盘，指数窄幅震荡，" + last + "板块继续调整。"},
        {"11:30", "午间收盘：" + name(0) + "、" + name(2) + "板块表现活跃。"},
        {"10:15", "北向资金早盘小幅净流入。"},
        {"09:30", "两市小幅低开。"}};
    for (const auto& [time, text] : entries) rows += "<tr><td>" + std::string(time) + "</td><td>" + EscapeHtml(text) + "</td></tr>";
    return Page("第一现场", "全球最快最及时的金融动态分析 · " + LastTradingDay().Iso(),
                "<table><tr><th>时间</th><th>动态</th></tr>" + rows + "</table>");
}

std::string QuestionPage() {
    return Page("在线交流", "专家在线解答您的投资问题",
                "<p>在下方填写姓名、手机和咨询内容后点击“提交”，专家将尽快回复。</p>"
                "<h2>近期问答</h2><table>"
                "<tr><th>问</th><td>近期可重点关注哪些热门板块或个股？</td></tr>"
                "<tr><th>答</th><td>可关注业绩确定性较强、资金持续流入的行业龙头，注意分批建仓。</td></tr>"
                "<tr><th>问</th><td>大盘短期内将以何种走势为主？</td></tr>"
                "<tr><th>答</th><td>短期以震荡为主，量能能否持续放大是突破的关键。</td></tr></table>");
}

std::string PasswordPage() {
    return Page("找回密码", "Kestrun 账号中心",
                "<form onsubmit=\"return false\"><label>用户名</label><input name=\"uname\">"
                "<label>注册手机或邮箱</label><input name=\"contact\"><p><button>发送重置链接</button></p></form>"
                "<p class=\"note\">演示服务器不发送邮件。演示账号 demo 的密码为 demo123。</p>");
}

std::string RegisterPage() {
    return Page("免费注册", "立即注册免费成为Kestrun用户",
                "<form onsubmit=\"return false\"><label>用户名</label><input name=\"uname\">"
                "<label>密码</label><input type=\"password\" name=\"pwd\"><label>手机</label><input name=\"tel\">"
                "<p><button>注册</button></p></form>"
                "<p class=\"note\">演示服务器的账号保存在数据目录的 users.txt 中，每行一个“用户名:密码”。</p>");
}

std::string ProductLogin() {
    return Page("KestrunLumet产品", "Kestrun 账号登录",
                "<form onsubmit=\"return false\"><label>用户名</label><input name=\"uname\">"
                "<label>密码</label><input type=\"password\" name=\"pwd\"><p><button>登录</button></p></form>");
}

std::string MyAccount(const HttpRequest& request) {
    const std::string user = request.Param("uname");
    return Page("我的Kestrun", "个人中心",
                "<p>" + (user.empty() ? std::string("您尚未登录。") : EscapeHtml(user) + "，欢迎回来！") + "</p>"
                "<table><tr><th>账号类型</th><td>Quorvel 标准版</td></tr>"
                "<tr><th>服务期限</th><td>长期有效</td></tr></table>");
}

std::string Recommend() {
    return Page("推荐给好友", "与好友分享 Quorvel",
                "<p>把 Quorvel 推荐给您的好友，一起使用专业的A股评测工具。</p>"
                "<form onsubmit=\"return false\"><label>好友邮箱</label><input name=\"mail\"><p><button>发送推荐</button></p></form>");
}

std::string Campaign() {
    return Page("春季活动", "Quorvel 春季回馈",
                "<p>活动期间注册即可免费使用全部评测功能，并获赠“明日是谁”短信服务一个月。</p>");
}

std::optional<std::string> SitePage(const std::string& path, const HttpRequest& request, const MarketModel& model) {
    // /sites/<slug>/<n>.html
    const std::string rest = path.substr(7);
    const auto slash = rest.find('/');
    if (slash == std::string::npos) return std::nullopt;
    const std::string slug = rest.substr(0, slash);
    const std::string file = rest.substr(slash + 1);
    if (file.size() < 6 || file.compare(file.size() - 5, 5, ".html") != 0) return std::nullopt;
    const int number = std::atoi(file.c_str());
    for (const auto& category : NewsSiteCategories()) {
        if (slug != category.slug || number < 1 || number > static_cast<int>(category.sites.size())) continue;
        const int stock = model.IndexOf(request.Param("stock"));
        const std::string about = stock < 0 ? std::string("相关个股")
                                            : model.Profile(static_cast<std::size_t>(stock)).stock.name + "（" +
                                                  model.Profile(static_cast<std::size_t>(stock)).stock.code + "）";
        const std::string& site = category.sites[static_cast<std::size_t>(number - 1)];
        return Page(site, std::string(category.caption) + " · 网站提及统计",
                    "<p>本页汇总" + site + "近一周关于" + EscapeHtml(about) +
                    "的报道与讨论。</p><p class=\"note\">演示页面：真实产品中此处链接到原网站的相关页面。</p>");
    }
    return std::nullopt;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

std::string EscapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string NotFoundPage(const std::string& path) {
    return Page("页面不存在", "404", "<p>找不到页面 " + EscapeHtml(path) + "。</p><p><a href=\"/\">返回首页</a></p>");
}

std::optional<std::string> WebPage(const std::string& path, const HttpRequest& request, const MarketModel& model) {
    if (path == "/" || path == "/index.html" || path == "/default.asp") return Home(model);
    if (path == "/sysm.html") return Help();
    if (path == "/zs/zs.html") return Strip(model);
    if (path == "/articlelist.asp") return ArticleList(model);
    if (path == "/lhl/index.htm" || path == "/lhl/" || path == "/lhl") return Almanac();
    if (path == "/live/clientlive.html") return Live(model);
    if (path == "/q&a/clientquestion.html") return QuestionPage();
    if (path == "/web/retakebackpassword.aspx") return PasswordPage();
    if (path == "/web/register.aspx") return RegisterPage();
    if (path == "/login.aspx") return ProductLogin();
    if (path == "/web/dqvnlogin.aspx") return MyAccount(request);
    if (path == "/default.aspx") return Recommend();
    if (path == "/plan/spring/" || path == "/plan/spring" || path == "/plan/spring/index.html") return Campaign();
    if (StartsWith(path, "/news/") && path.size() > 11 && path.compare(path.size() - 5, 5, ".html") == 0)
        return Article(path.substr(6, path.size() - 11), model);
    if (StartsWith(path, "/sites/")) return SitePage(path, request, model);
    return std::nullopt;
}

}  // namespace server
