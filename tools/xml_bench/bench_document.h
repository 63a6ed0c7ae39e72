#pragma once
// A deterministic XML document shaped like the evaluation server's data: stocks with
// nested evaluation, finance and news elements, attributes, GBK Chinese text, references,
// comments and CDATA sections.
#include <cstddef>
#include <string>

// Returns GBK text of at least `minBytes` bytes, declared with `encodingName`.
std::string MakeBenchDocument(std::size_t minBytes, const std::string& encodingName);
