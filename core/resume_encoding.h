#pragma once

// The resume record's encoding: a magic, a version number, the payload's length, the payload
// in little-endian fields, and a checksum over all that precedes it.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/resume_record.h"

namespace tarvolenka {

std::vector<std::uint8_t> EncodeResume(const ResumeRecord& record);
// Nothing when the bytes are not a whole, undamaged record of this version.
std::optional<ResumeRecord> DecodeResume(const std::vector<std::uint8_t>& bytes);

}  // namespace tarvolenka
