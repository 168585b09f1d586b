#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wv {

// A value of an outdated settings file that its renewal from the template
// would drop, as the profile writer is to write it back.
struct CarriedValue {
  std::string section;
  std::string key;
  std::string value;  // quoted where blanks at its ends or outer quotes must survive
};

// Every key the launcher knows (the template's, the declared ones and the
// translation sections' entry names), Version aside, that `old` sets to a
// value the renewed text `renewed` does not read the same; in the order of
// the renewed file, then the declarations.
std::vector<CarriedValue> ValuesToCarry(std::string_view old, std::string_view renewed);

}  // namespace wv
