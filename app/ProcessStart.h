#pragma once

// What main does before the toolkit stands, so that a hostile start ends plainly.

// A standard stream closed by whoever started the program is held by /dev/null, opened the other
// way round: the next file opened would otherwise take its number and receive what was meant for
// the stream, while writing to it still fails as on a closed one.
void HoldClosedStandardStreams();

// Without a display the toolkit ends the program with a fatal message that blames the
// installation. Between these two calls, around the application's construction, the toolkit's
// messages are held back: on that fatal one a single line names DISPLAY and WAYLAND_DISPLAY and
// the program ends with status 1; otherwise they go on, in order, once the application stands.
void HoldMessagesUntilDisplayOpens();
void PassOnHeldMessages();
