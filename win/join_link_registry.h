#pragma once

#include "core/ports.h"

namespace wv {

// Join links for the current user, under HKCU\Software\Classes\wreckvale:
// the URL protocol's key, and shell\open\command naming this exe with "%1".
// Written and removed only when the player asks from the caption menu.
class ClassesJoinLinkRegistry : public JoinLinkRegistry {
 public:
  bool OpensHere() override;
  bool Set(bool here) override;
};

}  // namespace wv
