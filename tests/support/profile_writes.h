#pragma once

#include <string>

namespace wv::test {

// One write of a profile value: the file before, the value set, the file after.
struct ProfileWrite {
  const char* name;
  std::string content, written;
  const char* section = "S";
  const char* key = "K";
  const char* value = "v";
};

inline const ProfileWrite kProfileWrites[] = {
    {"value replaced", "[A]\r\nUSEPrefix=No\r\nRunPrefix=\r\n",
     "[A]\r\nUSEPrefix=Yes\r\nRunPrefix=\r\n", "A", "USEPrefix", "Yes"},
    {"names in other case", "[Sec]\r\nrunprefix=x\r\n", "[Sec]\r\nrunprefix=wine\r\n", "SEC",
     "RunPrefix", "wine"},
    {"emptied", "[S]\r\nRunPrefixParam=1\r\n", "[S]\r\nRunPrefixParam=\r\n", "S", "RunPrefixParam",
     ""},
    {"the same value", "[S]\r\nK=v\r\n", "[S]\r\nK=v\r\n"},
    {"quoted value", "[S]\r\nK=\"old\"\r\n", "[S]\r\nK=v\r\n"},
    {"first key of a name", "[S]\r\nK=1\r\nK=2\r\n", "[S]\r\nK=v\r\nK=2\r\n"},
    {"comment line is no key", "[S]\r\n;K=old\r\nK=1\r\n", "[S]\r\n;K=old\r\nK=v\r\n"},
    {"added at the end of its section", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n",
     "[S]\r\nA=1\r\nK=v\r\n[T]\r\nB=2\r\n"},
    {"added at the end of the last section", "[S]\r\nA=1\r\n", "[S]\r\nA=1\r\nK=v\r\n"},
    {"added to a section of no keys", "[S]\r\n[T]\r\nB=2\r\n", "[S]\r\nK=v\r\n[T]\r\nB=2\r\n"},
    {"key of another section only", "[T]\r\nK=1\r\n[S]\r\nA=1\r\n",
     "[T]\r\nK=1\r\n[S]\r\nA=1\r\nK=v\r\n"},
    {"first section of a name only", "[S]\r\nA=1\r\n[S]\r\nK=2\r\n",
     "[S]\r\nA=1\r\nK=v\r\n[S]\r\nK=2\r\n"},
    {"section appended", "[S]\r\nA=1\r\n", "[S]\r\nA=1\r\n[T]\r\nK=v\r\n", "T"},
    {"empty file", "", "[S]\r\nK=v\r\n"},
    {"blanks around name and value", "[S]\r\n K = old \r\nJ = 2\r\n", "[S]\r\n K =v\r\nJ = 2\r\n"},
    {"blanks inside the brackets", "[ S ]\r\nK=1\r\n", "[ S ]\r\nK=v\r\n"},
    {"added before blank lines", "[S]\r\nA=1\r\n\r\n[T]\r\n", "[S]\r\nA=1\r\nK=v\r\n\r\n[T]\r\n"},
    {"added after a comment", "[S]\r\nA=1\r\n; note\r\n[T]\r\n",
     "[S]\r\nA=1\r\n; note\r\nK=v\r\n[T]\r\n"},
    {"LF lines", "[S]\nA=1\n", "[S]\nA=1\nK=v\n"},
    {"no final line end", "[S]\r\nA=1", "[S]\r\nA=1\r\nK=v"},
    {"key before the first section", "K=1\r\n[S]\r\n", "K=1\r\n[S]\r\nK=v\r\n"},
    {"UTF-8 byte-order mark", "\xEF\xBB\xBF[S]\r\nK=1\r\n", "\xEF\xBB\xBF[S]\r\nK=v\r\n"},
};

// Rows on which Wine, which the Windows checks run under, writes the whole
// file anew: blanks around names and values and inside brackets dropped, no
// empty lines, CR LF at every line end, the last line included. The
// project keeps every byte it does not set.
inline const char* const kPlatformDiffers[] = {
    "blanks around name and value", "blanks inside the brackets", "added before blank lines",
    "LF lines", "no final line end"};

}  // namespace wv::test
