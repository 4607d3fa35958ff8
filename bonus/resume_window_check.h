#pragma once

#include "core/resume_record.h"

namespace tarvolenka {

// Why a resume record holds a bonus window or mega wheel that play cannot reach, or nothing.
// A hand-made or damaged record with a valid checksum must not restore a window that can never
// finish, nor pay from a deal no draw could make.
const char* ImplausibleWindow(const ResumeRecord& record);

}  // namespace tarvolenka
