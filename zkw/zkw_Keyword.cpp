#include "zkw/zkw_Keyword.h"

zkw_Keyword::~zkw_Keyword() = default;

bool zkw_Keyword::IsEmpty() const { return false; }

void zkw_WriteList(const zkw_KeywordList& list, utl_Stream& stream) {
  for (const zkw_KeywordHandle& keyword : list) keyword->Write(stream);
}
