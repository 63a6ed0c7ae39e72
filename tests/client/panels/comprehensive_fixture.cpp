#include "comprehensive_fixture.h"

#include <QApplication>
#include <QTimer>

#include "client/widgets/html_label.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/text.h"

namespace {

std::string Element(const std::string& name, const std::string& text) {
    return "<" + name + ">" + text + "</" + name + ">";
}

std::string Values(const std::vector<std::string>& values, const std::vector<std::string>& names,
                   const std::string& score) {
    std::string s;
    for (std::size_t i = 0; i < names.size(); ++i) s += Element(names[i], i < values.size() ? values[i] : "");
    return s + Element("Fraction", score);
}

std::string Slot(const char* element, const EvaluationSlotDoc& d) {
    static const char* const kCategories[] = {"ZFL", "MHL", "ZYL", "LTL", "KRCJL"};
    std::string s = Element("time", d.time) + Element("Fraction", d.total) + Element("Result", d.verdict);
    s += Element("JBM", Values(d.fundamental, {"shiyinglu", "jinglirun", "zhuyingshouru", "meigushouyi", "jingzichan"},
                               d.scores[0]));
    s += Element("SCM", Values(d.market, {"wrijunjia", "srijunjia", "wrijunliang", "srijunliang"}, d.scores[1]));
    s += Element("JSM", Values(d.technical, {"YZXDDPZD", "YZXDHYZD", "YZGJQJ", "YZZDF"}, d.scores[2]));
    s += Element("JJM", Values(d.capital, {"JRZLZC", "ZLWRZC", "ZLYYZC"}, d.scores[3]));
    std::string news;
    for (std::size_t c = 0; c < 5; ++c) {
        news += std::string("<") + kCategories[c] + " count=\"" + d.categoryCounts[c] + "\">";
        for (const SiteEntryDoc& site : d.sites[c])
            news += "<info count=\"" + site.count + "\" NetName=\"" + site.name + "\" LinkUrl=\"" + site.link + "\"/>";
        news += std::string("</") + kCategories[c] + ">";
    }
    s += Element("XXM", news + Element("Fraction", d.scores[4]));
    return Element(element, s) + Element("ZJP", Element("Opinion", d.opinion) + Element("Fraction", d.scores[5]));
}

}  // namespace

EvaluationSlotDoc EvaluationSlotDoc::Empty() {
    EvaluationSlotDoc d;
    d.time = d.total = d.verdict = d.opinion = "";
    d.scores = {};
    d.fundamental = d.market = d.technical = d.capital = {};
    d.categoryCounts = {};
    d.sites = {};
    return d;
}

void ComprehensiveFixture::ServeEvaluation(const std::string& code, const char* utf8Name,
                                           const EvaluationSlotDoc& first, const EvaluationSlotDoc& second) {
    docs_.Serve("/KRClientInfo/ZHZD/" + code + ".xml",
                "<r><S" + code + " name=\"" + utf8Name + "\">" + Slot("FirstInfo", first) +
                    Slot("SecondInfo", second) + "</S" + code + "></r>");
    std::string groups;
    for (const char* group : {"JBMZHG", "SCMZHG", "JSMZHG", "JJMZHG", "XXMZHG", "ZJPZHG"}) {
        std::string stocks;
        for (int i = 1; i <= 6; ++i) stocks += Element("stock" + std::to_string(i), std::string(group) + std::to_string(i));
        groups += Element(group, stocks);
    }
    docs_.Serve("/KRClientInfo/ZHZD/RecommendStock.xml", "<r>" + Element("ZHZD", groups) + "</r>");
}

void ComprehensiveFixture::ServeForecast(const std::string& code, const char* utf8Name, const std::string& utf8Message) {
    docs_.Serve("/KRClientInfo/YZYC/" + code + ".xml",
                "<r><S" + code + " name=\"" + utf8Name + "\"><time>2026-12-04</time><msg>" + utf8Message +
                    "</msg></S" + code + "></r>");
}

void ComprehensiveFixture::Query(const std::string& code) {
    Panel()->CodeEdit()->setText(ui::ToQString(code));
    QTest::mouseClick(Control<CKbcBmp>(Panel(), CCodeEntry::kQueryButtonId), Qt::LeftButton);
    WaitIdle(Panel());
}

bool ComprehensiveFixture::WithModal(const std::function<void()>& open,
                                     const std::function<void(QDialog*)>& inspect) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll.stop();
        seen = true;
        inspect(dialog);
        dialog->reject();
    });
    poll.start();
    open();
    poll.stop();
    return seen;
}

void ComprehensiveFixture::ClickLink(QWidget* link) {
    auto* label = static_cast<CHtmlLabel*>(link);
    for (int x = 0; x < label->width(); x += 2) {
        const QPoint at(x, label->height() / 2);
        if (label->LinkAt(at) < 0) continue;
        QTest::mouseMove(label, at);
        QTest::mouseClick(label, Qt::LeftButton, {}, at);
        return;
    }
    ADD_FAILURE() << "no link on " << label->objectName().toStdString();
}

std::string ComprehensiveFixture::Utf8(QWidget* window, int id) {
    auto* label = Control<QLabel>(window, id);
    return label ? label->text().toStdString() : std::string();
}
