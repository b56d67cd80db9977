// The wizard's window toolkit: forms (top-level windows) holding named
// controls, in the style of a classic form designer.
//
// Everything is in pixels. A control's Left/Top are relative to its container
// (the form's client area or a picture box's inner area). Geometry is kept in
// single-precision floating point exactly as assigned; drawing rounds to the
// nearest pixel.
//
// The model compiles without <windows.h>; the platform side sits behind
// ui::Backend (platform/ui/Backend.h), implemented by the Win32 adapter and by
// the host fake (tests/host/fakes/FakeUi.h, which also drives clicks, keys and
// timer ticks in host tests).
//
// Failures never throw: a lookup of a missing control yields the inert
// control (see Form::Item) and calls the missing-control hook, a name already
// in use makes Add return null, a missing bitmap makes SetPicture return false.
//
// Where each part lives:
//   Basics.h   colours, fonts, rectangles, mouse arguments, codes
//   Control.h  Control.cpp: control properties, a picture box's drawing
//   Form.h     Form.cpp: form properties, life and the modal loop;
//              Input.cpp: mouse, keys, timers, commands and closing;
//              Focus.cpp: the keyboard focus, its mark and Tab's order;
//              Paint.cpp: the paint of a form
//   Backend.h  what the model asks of the window system
//   Text.h     line splitting, mnemonics and word wrap
#pragma once

#include "platform/ui/Basics.h"
#include "platform/ui/Control.h"
#include "platform/ui/Form.h"
