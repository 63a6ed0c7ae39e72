#include "tools/xml_bench/bench_document.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "common/platform/code_page.h"

namespace {

// A small linear congruential generator keeps the document the same on every run.
class Sequence {
public:
    std::uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint32_t state_ = 20261207u;
};

// Words in UTF-8 here, converted to GBK once.
constexpr std::array<std::string_view, 16> kWordsUtf8 = {
    "浦发银行", "基本面",   "市场面",   "技术面",   "资金面", "消息面",   "专家评",   "主力资金",
    "持续流入", "短期震荡", "中期看好", "业绩预测", "净利润", "同比增长", "行业龙头", "风险提示",
};
constexpr std::array<std::string_view, 6> kDimensions = {"JBM", "SCM", "JSM", "ZJM", "XXM", "ZJP"};

struct Writer {
    std::string& out;
    Sequence& seq;
    const std::array<std::string, kWordsUtf8.size()>& words;
    const std::string& comma;  // full-width comma, GBK

    void Indent(int depth) {
        out.append("\r\n");
        out.append(static_cast<std::size_t>(depth) * 2, ' ');
    }
    void Number(int whole, int fraction) {
        out += std::to_string(whole);
        out += '.';
        out += std::to_string(fraction);
    }
    void ChineseText(int words) {
        for (int i = 0; i < words; ++i) {
            out += this->words[seq.Below(static_cast<int>(this->words.size()))];
            if (i % 5 == 4) out += comma;
        }
    }
};

void AppendStock(Writer& w, int index) {
    std::string& out = w.out;
    char code[16];
    std::snprintf(code, sizeof code, "%06d", 600000 + index);
    w.Indent(1);
    out += "<Stock StockId=\"";
    out += code;
    out += "\" Market=\"";
    out += index % 2 ? "SZ" : "SH";
    out += "\" Name=\"";
    w.ChineseText(1);
    out += "\">";
    for (int slot = 0; slot < 2; ++slot) {
        w.Indent(2);
        out += "<Evaluation Slot=\"" + std::to_string(slot) + "\" Date=\"2026-12-0" +
               std::to_string(1 + slot) + "\" Total=\"";
        w.Number(40 + w.seq.Below(60), w.seq.Below(10));
        out += "\">";
        for (std::string_view dim : kDimensions) {
            w.Indent(3);
            out += "<Dimension Id=\"";
            out += dim;
            out += "\" Score=\"";
            w.Number(w.seq.Below(100), w.seq.Below(10));
            out += "\" Trend='up'>";
            w.Indent(4);
            out += "<Summary>";
            w.ChineseText(6 + w.seq.Below(10));
            out += " &amp; ";
            w.ChineseText(3);
            out += "</Summary>";
            w.Indent(4);
            out += "<Advice Level=\"" + std::to_string(w.seq.Below(5)) + "\"/>";
            w.Indent(3);
            out += "</Dimension>";
        }
        w.Indent(3);
        out += "<!-- verdict -->";
        w.Indent(3);
        out += "<Verdict>";
        w.ChineseText(4);
        out += "</Verdict>";
        w.Indent(2);
        out += "</Evaluation>";
    }
    w.Indent(2);
    out += "<Finance Unit=\"10k\">";
    for (int year = 2021; year <= 2025; ++year) {
        w.Indent(3);
        out += "<Year Value=\"" + std::to_string(year) + "\" Revenue=\"";
        w.Number(1000 + w.seq.Below(90000), w.seq.Below(100));
        out += "\" Profit=\"";
        w.Number(w.seq.Below(9000), w.seq.Below(100));
        out += "\" Eps=\"0.";
        out += std::to_string(w.seq.Below(1000));
        out += "\"/>";
    }
    w.Indent(2);
    out += "</Finance>";
    w.Indent(2);
    out += "<News><![CDATA[";
    w.ChineseText(12);
    out += " <b>1 < 2</b> ]]></News>";
    w.Indent(1);
    out += "</Stock>";
}

}  // namespace

std::string MakeBenchDocument(std::size_t minBytes, const std::string& encodingName) {
    std::array<std::string, kWordsUtf8.size()> words;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = platform::Utf8ToLocalText(kWordsUtf8[i]);
    Sequence seq;
    std::string out;
    out.reserve(minBytes + 4096);
    out += "<?xml version=\"1.0\" encoding=\"" + encodingName + "\"?>\r\n";
    out += "<StockData Version=\"1.0\" Source=\"quorvel\">";
    const std::string comma = platform::Utf8ToLocalText("，");
    Writer writer{out, seq, words, comma};
    for (int index = 0; out.size() < minBytes; ++index) AppendStock(writer, index);
    out += "\r\n</StockData>\r\n";
    return out;
}
