// Parsing speed of CXmlDoc against pugixml and libxml2 on one generated document.
//
//   xml_bench [megabytes] [runs] [parser]
//
// Defaults: 10 MB, 7 runs; the best run counts. A parser name ("CXmlDoc", "pugixml",
// "libxml2") limits the run to that parser, for profiling.
//
// Every parser gets the same GBK document. libxml2 cannot take GBK bytes without
// converting them, so it is measured twice: on a UTF-8 copy of the document (parsing
// alone) and on the GBK text itself (parsing plus its iconv conversion).
#include <libxml/parser.h>
#include <libxml/tree.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "common/platform/code_page.h"
#include "common/xml/xml_doc.h"
#include "tools/xml_bench/bench_document.h"

namespace {

struct Outcome {
    bool ok = false;
    std::size_t elements = 0;
};

// Runs `parse` `runs` times and returns the shortest time in seconds. `parse` does its own
// set-up and tear-down and calls `clock` around the part that is measured.
using Clock = std::chrono::steady_clock;
struct Timer {
    Clock::time_point started;
    double seconds = 0;
    void Start() { started = Clock::now(); }
    void Stop() { seconds = std::chrono::duration<double>(Clock::now() - started).count(); }
};

double Best(int runs, const std::function<Outcome(Timer&)>& parse, Outcome& outcome) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        Timer timer;
        outcome = parse(timer);
        if (!outcome.ok) return 0;
        best = std::min(best, timer.seconds);
    }
    return best;
}

std::size_t CountPugi(const pugi::xml_node& node) {
    std::size_t n = 0;
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element) n += 1 + CountPugi(child);
    return n;
}

std::size_t CountLibxml(const xmlNode* node) {
    std::size_t n = 0;
    for (; node; node = node->next)
        if (node->type == XML_ELEMENT_NODE) n += 1 + CountLibxml(node->children);
    return n;
}

Outcome ParseXmlDoc(const std::string& text, Timer& timer) {
    CXmlDoc doc;
    timer.Start();
    bool ok = doc.SetDoc(text);
    timer.Stop();
    return {ok, static_cast<std::size_t>(doc.Index().Count() - 1)};
}

Outcome ParsePugi(const std::string& text, Timer& timer) {
    pugi::xml_document doc;
    timer.Start();
    pugi::xml_parse_result result =
        doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    timer.Stop();
    return {bool(result), CountPugi(doc)};
}

Outcome ParseLibxml(const std::string& text, Timer& timer) {
    timer.Start();
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "bench.xml", nullptr,
                                  XML_PARSE_NONET | XML_PARSE_HUGE);
    timer.Stop();
    Outcome outcome{doc != nullptr, doc ? CountLibxml(xmlDocGetRootElement(doc)) : 0};
    xmlFreeDoc(doc);
    return outcome;
}

void Report(const char* label, std::size_t bytes, double seconds, const Outcome& outcome) {
    if (!outcome.ok) {
        std::printf("%-34s parse FAILED\n", label);
        return;
    }
    std::printf("%-34s %8.1f MB/s  (%6.2f ms, %zu bytes, %zu elements)\n", label,
                bytes / 1e6 / seconds, seconds * 1e3, bytes, outcome.elements);
}

}  // namespace

int main(int argc, char** argv) {
    double megabytes = argc > 1 ? std::atof(argv[1]) : 10.0;
    int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    if (megabytes <= 0 || runs <= 0) {
        std::fprintf(stderr, "usage: xml_bench [megabytes] [runs]\n");
        return 2;
    }
    const auto size = static_cast<std::size_t>(megabytes * 1e6);
    const std::string gbk = MakeBenchDocument(size, "GBK");
    const std::string utf8 = platform::LocalToUtf8(MakeBenchDocument(size, "UTF-8"));
    std::printf("document: %zu bytes GBK (%zu bytes as UTF-8), best of %d runs\n", gbk.size(),
                utf8.size(), runs);

    xmlInitParser();
    struct Subject {
        const char* label;
        const std::string* text;
        Outcome (*parse)(const std::string&, Timer&);
    };
    const Subject subjects[] = {
        {"CXmlDoc", &gbk, ParseXmlDoc},
        {"pugixml (GBK bytes as they are)", &gbk, ParsePugi},
        {"libxml2 (UTF-8 copy)", &utf8, ParseLibxml},
        {"libxml2 (GBK, converting)", &gbk, ParseLibxml},
    };
    const std::string only = argc > 3 ? argv[3] : "";
    for (const Subject& subject : subjects) {
        if (std::string(subject.label).rfind(only, 0) != 0) continue;
        Outcome outcome;
        double seconds = Best(
            runs, [&](Timer& t) { return subject.parse(*subject.text, t); }, outcome);
        Report(subject.label, subject.text->size(), seconds, outcome);
    }
    xmlCleanupParser();
    return 0;
}
