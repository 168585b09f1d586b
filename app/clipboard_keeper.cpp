// Keeps the launcher's clipboard text for pasting after the launcher has
// ended: the text comes on standard input, this program takes CLIPBOARD over
// and says so with one byte on standard output, so that the launcher can end
// without leaving the clipboard empty. A clipboard manager that runs is asked
// to save the text; one that confirms within a second keeps it from then on.
// Otherwise this program owns CLIPBOARD until another program takes it or 30
// minutes pass. X11 only, and no toolkit, so that it stays small while it
// waits.

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr auto kKeepFor = std::chrono::minutes(30);
// How long a clipboard manager has to confirm that it saved the text.
constexpr auto kManagerPatience = std::chrono::seconds(1);

std::string ReadAll(int fd) {
  std::string text;
  std::array<char, 4096> buffer;
  for (;;) {
    const ssize_t got = read(fd, buffer.data(), buffer.size());
    if (got > 0) {
      text.append(buffer.data(), static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      return text;
    }
  }
}

// For the STRING target, which is Latin-1: what it cannot hold becomes "?".
std::string Latin1(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 1) {
      out += static_cast<char>(lead);
    } else if (length == 2 && i + 1 < utf8.size() && lead >= 0xC2 && lead <= 0xC3) {
      out += static_cast<char>(((lead & 0x1F) << 6) |
                               (static_cast<unsigned char>(utf8[i + 1]) & 0x3F));
    } else {
      out += '?';
    }
    i += length;
  }
  return out;
}

struct Atoms {
  xcb_atom_t clipboard, manager, targets, timestamp, utf8, text, plainUtf8, plain, saveTargets,
      saved;
};

xcb_atom_t Intern(xcb_connection_t* connection, std::string_view name) {
  const auto cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data());
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t OwnerOf(xcb_connection_t* connection, xcb_atom_t selection) {
  std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> reply(
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection),
                                    nullptr),
      &std::free);
  return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
}

// The server's time now, from a property change of our own window: taking a
// selection at CurrentTime is refused by careful clients.
xcb_timestamp_t ServerTime(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, window, property, XCB_ATOM_STRING, 8, 0,
                      nullptr);
  xcb_flush(connection);
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    const bool notify = (event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY;
    const xcb_timestamp_t time =
        notify ? reinterpret_cast<xcb_property_notify_event_t*>(event)->time : 0;
    std::free(event);
    if (notify) return time;
  }
  return XCB_CURRENT_TIME;
}

// Answers one request: the text in the form asked for, or a refusal. Large
// transfers (INCR) are not offered: a launcher's text is a few lines.
void Answer(xcb_connection_t* connection, const xcb_selection_request_event_t& request,
            const Atoms& atoms, const std::string& text, xcb_timestamp_t since) {
  xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
  const uint32_t limit = xcb_get_maximum_request_length(connection) * 4 - 64;
  const xcb_atom_t target = request.target;
  if (target == atoms.targets) {
    const std::array<xcb_atom_t, 7> offered = {atoms.targets, atoms.timestamp, atoms.utf8,
                                               atoms.text,    XCB_ATOM_STRING, atoms.plainUtf8,
                                               atoms.plain};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                        XCB_ATOM_ATOM, 32, offered.size(), offered.data());
  } else if (target == atoms.timestamp) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                        XCB_ATOM_INTEGER, 32, 1, &since);
  } else if ((target == atoms.utf8 || target == atoms.text || target == atoms.plainUtf8) &&
             text.size() < limit) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, atoms.utf8,
                        8, static_cast<uint32_t>(text.size()), text.data());
  } else if ((target == XCB_ATOM_STRING || target == atoms.plain) && text.size() < limit) {
    const std::string latin1 = Latin1(text);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property,
                        XCB_ATOM_STRING, 8, static_cast<uint32_t>(latin1.size()), latin1.data());
  } else {
    property = XCB_ATOM_NONE;
  }
  xcb_selection_notify_event_t notify{};
  notify.response_type = XCB_SELECTION_NOTIFY;
  notify.time = request.time;
  notify.requestor = request.requestor;
  notify.selection = request.selection;
  notify.target = request.target;
  notify.property = property;
  xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&notify));
  xcb_flush(connection);
}

// Waits for the display until `deadline`; false once it has passed.
bool WaitForDisplay(xcb_connection_t* connection, std::chrono::steady_clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - std::chrono::steady_clock::now());
  if (left.count() <= 0) return false;
  pollfd display{xcb_get_file_descriptor(connection), POLLIN, 0};
  poll(&display, 1, static_cast<int>(left.count()));
  return true;
}

// Asks the running clipboard manager to save the text, answering its requests
// for it meanwhile. True when nothing is left to keep: the manager confirmed,
// or another program took the clipboard; false when the manager refused or
// stayed silent.
bool ManagerTookOver(xcb_connection_t* connection, xcb_window_t window, const Atoms& atoms,
                     const std::string& text, xcb_timestamp_t since) {
  xcb_convert_selection(connection, window, atoms.manager, atoms.saveTargets, atoms.saved, since);
  xcb_flush(connection);
  const auto deadline = std::chrono::steady_clock::now() + kManagerPatience;
  bool lost = false;
  do {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const uint8_t type = event->response_type & 0x7F;
      bool answered = false, saved = false;
      if (type == XCB_SELECTION_REQUEST) {
        Answer(connection, *reinterpret_cast<xcb_selection_request_event_t*>(event), atoms, text,
               since);
      } else if (type == XCB_SELECTION_CLEAR) {
        lost = true;
      } else if (type == XCB_SELECTION_NOTIFY) {
        const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event);
        answered = notify->selection == atoms.manager;
        saved = notify->property != XCB_ATOM_NONE;
      }
      std::free(event);
      if (answered) return saved || lost;
    }
    if (xcb_connection_has_error(connection)) return true;
  } while (WaitForDisplay(connection, deadline));
  return lost;
}

}  // namespace

int main() {
  // Detached from the launcher's session and folder, which may go away, and
  // from its output: a pipe that waits for the launcher's end must not wait
  // for this program's too.
  setsid();
  const int nothing = open("/dev/null", O_RDWR | O_CLOEXEC);
  if (nothing >= 0) dup2(nothing, STDERR_FILENO);
  const std::string text = ReadAll(STDIN_FILENO);
  if (chdir("/") != 0) return 1;
  if (text.empty()) return 0;

  int screenNumber = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
  if (xcb_connection_has_error(connection)) return 1;
  const Atoms atoms = {Intern(connection, "CLIPBOARD"),
                       Intern(connection, "CLIPBOARD_MANAGER"),
                       Intern(connection, "TARGETS"),
                       Intern(connection, "TIMESTAMP"),
                       Intern(connection, "UTF8_STRING"),
                       Intern(connection, "TEXT"),
                       Intern(connection, "text/plain;charset=utf-8"),
                       Intern(connection, "text/plain"),
                       Intern(connection, "SAVE_TARGETS"),
                       Intern(connection, "_WV_CLIPBOARD_SAVED")};

  xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
  for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
  const xcb_window_t window = xcb_generate_id(connection);
  const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
  const xcb_timestamp_t since = ServerTime(connection, window, atoms.timestamp);
  xcb_set_selection_owner(connection, window, atoms.clipboard, since);
  if (OwnerOf(connection, atoms.clipboard) != window) return 1;
  // The launcher may end now; from here on nothing is said to it.
  while (write(STDOUT_FILENO, "1", 1) < 0 && errno == EINTR) {
  }
  if (nothing >= 0) dup2(nothing, STDOUT_FILENO);

  if (OwnerOf(connection, atoms.manager) != XCB_WINDOW_NONE &&
      ManagerTookOver(connection, window, atoms, text, since)) {
    return 0;
  }
  const auto deadline = std::chrono::steady_clock::now() + kKeepFor;
  for (;;) {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
      const uint8_t type = event->response_type & 0x7F;
      if (type == XCB_SELECTION_REQUEST) {
        Answer(connection, *reinterpret_cast<xcb_selection_request_event_t*>(event), atoms, text,
               since);
      }
      std::free(event);
      if (type == XCB_SELECTION_CLEAR) return 0;  // another program took the clipboard
    }
    if (xcb_connection_has_error(connection) || !WaitForDisplay(connection, deadline)) return 0;
  }
}
