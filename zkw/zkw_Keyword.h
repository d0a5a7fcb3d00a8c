#pragma once
#include "containers/cow.h"
#include "textstream/utl_Stream.h"
#include "zkw/zkw_Export.h"

/// Base of every keyword class. A keyword object knows what to print and
/// prints itself; builders create and register them, the job writes them.
class ZKW_API zkw_Keyword {
 public:
  virtual ~zkw_Keyword();
  /// A new heap copy of the same concrete type.
  virtual zkw_Keyword* Clone() const = 0;
  /// Prints the keyword's lines.
  virtual void Write(utl_Stream& stream) const = 0;
  /// True when the keyword has nothing to say; builders skip such keywords.
  virtual bool IsEmpty() const;

 protected:
  zkw_Keyword() = default;
  zkw_Keyword(const zkw_Keyword&) = default;
  zkw_Keyword& operator=(const zkw_Keyword&) = default;
};

/// Copy-on-write handle to a keyword: made from a keyword it stores a clone.
using zkw_KeywordHandle = cow_COW<zkw_Keyword, cow_Virtual<zkw_Keyword>>;
/// A list of keywords, written in list order.
using zkw_KeywordList = cow_1DArrayList<zkw_KeywordHandle>;

/// Writes every keyword of the list in order.
ZKW_API void zkw_WriteList(const zkw_KeywordList& list, utl_Stream& stream);
