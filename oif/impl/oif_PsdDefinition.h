#pragma once
#include <memory>

#include "exceptions/nex_Exception.h"

#include "modeldb/kamC_Amplitude.h"
#include "zkw/zkw_Keyword.h"

/// "*Psd-Definition": a power spectral density definition.
class oif_PsdDefinition : public zkw_Keyword {
 public:
  oif_PsdDefinition(const cow_String& name, std::shared_ptr<const kamC_Amplitude> amplitude)
      : name_(name), amplitude_(std::move(amplitude)) {}
  zkw_Keyword* Clone() const override { return new oif_PsdDefinition(*this); }
  void Write(utl_Stream& stream) const override;

 private:
  cow_String name_;
  std::shared_ptr<const kamC_Amplitude> amplitude_;
};
