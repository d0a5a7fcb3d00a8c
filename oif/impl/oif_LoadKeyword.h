#pragma once
// What every load keyword holds (*Cload, *Dload, *Dsload, the flux, flow and
// electric families, *Connector Load): the load, the step, the amplitude
// name, the set or surface name its data lines cite, the form the builder
// chose (", op=NEW", changes only, removed) and the load case's scale
// factor; and the keyword line they share.
#include <array>
#include <memory>

#include "modeldb/kloC_LoadTable.h"
#include "oif/impl/oif_KeywordLine.h"
#include "oif/impl/oif_OpStatus.h"
#include "zkw/zkw_Keyword.h"

class oif_LoadKeyword : public zkw_Keyword {
 protected:
  oif_LoadKeyword(const oif_KeywordForm& form, std::shared_ptr<const kloC_Load> load, std::size_t step,
                  const cow_String& regionName, double scale);

  /// The keyword line: the keyword text, ", op=NEW", ", follower" when
  /// asked, ", amplitude=" and ", load case=" (1 or 2; 0 for none). A
  /// removed load's line carries ", op=NEW" alone.
  void WriteLine(utl_Stream& stream, const char* keyword, int loadCase, bool follower = false) const;

  /// The load of the kind table, or nullptr (bolt loads, other classes).
  const kloC_KindLoad* KindLoad() const noexcept { return kindLoad_; }
  /// The kind of the load, or Count for a load outside the kind table.
  kloC_LoadKind Kind() const noexcept { return kind_; }
  const kloC_LoadState& State() const;

  /// The real (part 1) or imaginary (part 2) values of the components.
  static const std::array<mdl_PropAttr<double>, 3>& Part(const kloC_LoadState& state, int part) {
    return part == 2 ? state.imag : state.real;
  }

  std::shared_ptr<const kloC_Load> load_;
  const kloC_KindLoad* kindLoad_;
  kloC_LoadKind kind_;
  std::size_t step_;
  cow_String amplitude_;
  cow_String region_;
  oif_KeywordForm form_;
  double scale_;
};
