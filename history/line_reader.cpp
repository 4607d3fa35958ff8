#include "history/line_reader.h"

#include <algorithm>
#include <string>

#include "history/json_reader.h"

namespace tarvolenka {
namespace {

constexpr std::size_t kForwardChunk = 1u << 20;
// A hundred games, as the history window lists them, usually fit in one.
constexpr std::size_t kBackwardChunk = 64u << 10;

// A line that runs across chunks: its bytes so far, or only the fact of it once it is overlong.
struct PartialLine {
  std::string text;
  off_t start = 0;
  bool open = false;
  bool overlong = false;

  void Begin(off_t at) {
    open = true;
    start = at;
  }
  // Adds bytes at its end (forwards) or at its beginning (backwards).
  void Add(std::string_view bytes, bool atEnd) {
    if (overlong) return;
    if (text.size() + bytes.size() > kHistoryLineMaxBytes) {
      overlong = true;
      text.clear();
    } else if (atEnd) {
      text.append(bytes);
    } else {
      text.insert(0, bytes);
    }
  }
  void Reset() {
    text.clear();
    open = false;
    overlong = false;
  }
};

}  // namespace

bool CutShort(const HistoryLine& line) {
  return line.unended && !line.overlong && !ParseJson(line.text);
}

FileResult ForEachLine(int fd, off_t from, off_t to, const LineVisitor& visit,
                       const std::stop_token& stop) {
  std::string chunk;
  PartialLine partial;
  for (off_t at = from; at < to;) {
    if (stop.stop_requested()) return {};
    const auto want = static_cast<std::size_t>(std::min<off_t>(kForwardChunk, to - at));
    if (FileResult read = ReadAt(fd, at, want, chunk); !read) return read;
    if (chunk.empty()) break;  // the file ends sooner than it did
    std::string_view rest(chunk);
    off_t restStart = at;
    at += static_cast<off_t>(chunk.size());
    for (std::size_t end = rest.find('\n'); end != std::string_view::npos; end = rest.find('\n')) {
      const std::string_view piece = rest.substr(0, end);
      HistoryLine line{piece, restStart, false};
      if (partial.open) {
        partial.Add(piece, true);
        line = {partial.text, partial.start, partial.overlong};
      } else if (piece.size() > kHistoryLineMaxBytes) {
        line = {{}, restStart, true};
      }
      if (!visit(line)) return {};
      partial.Reset();
      rest.remove_prefix(end + 1);
      restStart += static_cast<off_t>(end + 1);
    }
    if (!rest.empty()) {
      if (!partial.open) partial.Begin(restStart);
      partial.Add(rest, true);
    }
  }
  if (partial.open) visit({partial.text, partial.start, partial.overlong, true});
  return {};
}

BackwardRead ForEachLineBackward(int fd, off_t end, off_t budget, const LineVisitor& visit) {
  BackwardRead out;
  std::string chunk;
  PartialLine partial;  // the end of a line whose start lies in a chunk not yet read
  // The nothing after the file's last line end is no line, as it is none read forwards.
  bool last = true;
  off_t spent = 0;
  for (off_t at = end; at > 0;) {
    if (spent >= budget) {
      out.budgetSpent = true;
      return out;
    }
    const auto size = static_cast<std::size_t>(std::min<off_t>(kBackwardChunk, at));
    at -= static_cast<off_t>(size);
    spent += static_cast<off_t>(size);
    out.result = ReadAt(fd, at, size, chunk);
    if (!out.result || chunk.size() != size) return out;  // failed, or the file shrank
    std::string_view rest(chunk);
    for (std::size_t newline = rest.rfind('\n'); newline != std::string_view::npos;
         newline = rest.rfind('\n')) {
      const std::string_view piece = rest.substr(newline + 1);
      const off_t start = at + static_cast<off_t>(newline + 1);
      HistoryLine line{piece, start, piece.size() > kHistoryLineMaxBytes};
      if (partial.open) {
        partial.Add(piece, false);
        line = {partial.text, start, partial.overlong};
      }
      if (line.overlong) line.text = {};
      const bool nothing = last && line.text.empty() && !line.overlong;
      line.unended = last && !nothing;
      last = false;
      if (!nothing && !visit(line)) return out;
      partial.Reset();
      rest = rest.substr(0, newline);
    }
    if (!partial.open) partial.Begin(at);
    partial.Add(rest, false);
  }
  // The file's first line, which no line end precedes.
  if (partial.open) visit({partial.text, 0, partial.overlong, last});
  return out;
}

}  // namespace tarvolenka
