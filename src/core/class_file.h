#pragma once

#include "markwise_doc.h"
#include "message.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace markwise {

// Reads a class from the bytes of a .MKW file into a freshly constructed document.
// Returns null and sets error (a sentence for the user) when the bytes are damaged,
// end early or exceed a capacity. After the last field comes the grading policy's block
// (policy_block.h), if any; other trailing bytes are ignored. A damaged block does not
// refuse the class: it opens without its policy and m_policyDropped says why.
std::unique_ptr<CMarkwiseDoc> ReadClass(const unsigned char* data, std::size_t size,
                                        std::string& error);
std::unique_ptr<CMarkwiseDoc> ReadClass(const unsigned char* data, std::size_t size,
                                        Message& error);
// The same into an existing document, which need not be fresh: everything the writer
// writes is overwritten, other slots keep what they held. On failure doc is partly read.
// For callers that read many files in a row (the fuzzer) without building 2 MB each time.
bool ReadClassInto(const unsigned char* data, std::size_t size, CMarkwiseDoc& doc,
                   std::string& error);
bool ReadClassInto(const unsigned char* data, std::size_t size, CMarkwiseDoc& doc, Message& error);
// The exact bytes of the class file.
std::vector<unsigned char> WriteClass(const CMarkwiseDoc& doc);

// The largest class file the reader accepts, and so the largest any save may write. Scores
// fill at most about 1.6 MB and dialogs bound every text, so only an imported cell of
// many megabytes comes near it.
inline constexpr std::size_t kMaxClassFileBytes = 64u << 20;

// Whole-file helpers. Saving is atomic: a temporary file in the same folder is written,
// flushed and renamed over the old one, so any failure leaves the old file as it was.
std::unique_ptr<CMarkwiseDoc> LoadClassFile(const std::string& path, std::string& error);
std::unique_ptr<CMarkwiseDoc> LoadClassFile(const std::string& path, Message& error);
bool SaveClassFile(const std::string& path, const CMarkwiseDoc& doc, std::string& error);
// Saves bytes made by WriteClass; refuses, with one sentence, more than the reader accepts.
bool SaveClassBytes(const std::string& path, const std::vector<unsigned char>& bytes,
                    std::string& error);
bool SaveClassBytes(const std::string& path, const std::vector<unsigned char>& bytes,
                    Message& error);

} // namespace markwise
