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
#include <time.h>

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

// Wall-clock and thread CPU time around the measured part of one parse. On a shared,
// busy machine the CPU time is the steadier of the two.
struct Timer {
    std::chrono::steady_clock::time_point wallStart;
    timespec cpuStart{};
    double wall = 0;
    double cpu = 0;
    void Start() {
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpuStart);
        wallStart = std::chrono::steady_clock::now();
    }
    void Stop() {
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        cpu = double(now.tv_sec - cpuStart.tv_sec) + (now.tv_nsec - cpuStart.tv_nsec) / 1e9;
    }
};

struct Times {
    double wall = 1e30;
    double cpu = 1e30;
};

// Runs `parse` `runs` times; the shortest wall and CPU times. `parse` does its own set-up
// and tear-down and starts and stops the timer around the part that is measured.
Times Best(int runs, const std::function<Outcome(Timer&)>& parse, Outcome& outcome) {
    Times best;
    for (int i = 0; i < runs; ++i) {
        Timer timer;
        outcome = parse(timer);
        if (!outcome.ok) break;
        best.wall = std::min(best.wall, timer.wall);
        best.cpu = std::min(best.cpu, timer.cpu);
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

void Report(const char* label, std::size_t bytes, const Times& times, const Outcome& outcome) {
    if (!outcome.ok) {
        std::printf("%-34s parse FAILED\n", label);
        return;
    }
    std::printf("%-34s %7.1f MB/s wall %7.1f MB/s cpu  (%zu bytes, %zu elements)\n", label,
                bytes / 1e6 / times.wall, bytes / 1e6 / times.cpu, bytes, outcome.elements);
}

}  // namespace

int main(int argc, char** argv) {
    double megabytes = argc > 1 ? std::atof(argv[1]) : 10.0;
    int runs = argc > 2 ? std::atoi(argv[2]) : 7;
    if (megabytes <= 0 || runs <= 0) {
        std::fprintf(stderr, "usage: xml_bench [megabytes] [runs] [parser]\n");
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
        Times times = Best(
            runs, [&](Timer& t) { return subject.parse(*subject.text, t); }, outcome);
        Report(subject.label, subject.text->size(), times, outcome);
    }
    xmlCleanupParser();
    return 0;
}
