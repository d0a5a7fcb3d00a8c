#include "oif/impl/oif_Comment.h"

void oif_Comment::Write(utl_Stream& stream) const {
  const cow_String& text = *text_;
  if (text.empty()) return;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    if (start == 0 && end == cow_String::npos) {  // one line: no copy of it
      stream << "** " << text << endl;
      break;
    }
    stream << "** " << text.substr(start, end == cow_String::npos ? cow_String::npos : end - start) << endl;
    if (end == cow_String::npos) break;
    start = end + 1;
    if (start == text.size()) {  // a closing line feed gives one more empty comment line
      stream << "** " << endl;
      break;
    }
  }
}
