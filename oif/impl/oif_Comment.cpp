#include "oif/impl/oif_Comment.h"

void oif_Comment::Write(utl_Stream& stream) const {
  if (text_.empty()) return;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text_.find('\n', start);
    stream << "** " << text_.substr(start, end == cow_String::npos ? cow_String::npos : end - start) << endl;
    if (end == cow_String::npos) break;
    start = end + 1;
    if (start == text_.size()) {  // a closing line feed gives one more empty comment line
      stream << "** " << endl;
      break;
    }
  }
}
