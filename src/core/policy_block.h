#pragma once

#include "markwise_doc.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace markwise {

// The grading policy and the score marks lie in one block after the last text of the
// class file, where a reader of the older layout stops. Layout (docs/file-format.md):
// tag, version, body length, CRC-32 of the body, then tagged records.
inline constexpr std::string_view kPolicyBlockTag = "MKWPOLCY";
inline constexpr std::uint32_t kPolicyBlockVersion = 1;
inline constexpr std::size_t kPolicyBlockHeaderBytes = 8 + 4 + 4 + 4;

enum class PolicyRecord : std::uint16_t { Categories = 1, AssignmentCategories = 2, Marks = 3 };

// Appends the block when the class needs one (categories, marks or records to carry);
// a class with none gains no bytes.
void WritePolicyBlock(const CMarkwiseDoc& doc, std::vector<unsigned char>& out);

// Reads what follows the older layout, [pos, end), into doc, whose counts are set. Bytes
// that do not start with the tag are ignored, as before. A damaged block leaves the class
// without a policy or marks and says why in doc.m_policyDropped.
void ReadPolicyBlock(const unsigned char* pos, const unsigned char* end, CMarkwiseDoc& doc);

// CRC-32 (the ISO-HDLC polynomial that zip and PNG use).
std::uint32_t Crc32(const unsigned char* data, std::size_t size);

} // namespace markwise
