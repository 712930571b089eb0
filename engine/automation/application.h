#pragma once
// The engine's "Word.Application" class.

#include "engine/model/document.h"
#include "wordgen/ole/dispatch.h"

namespace engine {

/// Registers the engine under the ProgID "Word.Application" with the late-binding
/// registry: CreateObject makes a new Application; GetObject finds one alive in this
/// process or (by name only) in another process of this user. Installs the Word file
/// hooks when the docx library is built in. Safe to call more than once.
void registerWordApplication();

/// A new Application (what CreateObject("Word.Application") returns). While it lives and
/// until it quits it is registered as a running instance.
ole::DispatchPtr createWordApplication();

/// The model behind a late-bound Document object of the engine (for the preview, layout
/// and tests), or null when `document` is not one or is closed.
model::Document* modelOf(const ole::DispatchPtr& document);

/// The instance's name, its default member.
inline constexpr const char* kWordApplicationName = "Microsoft Word";

} // namespace engine
