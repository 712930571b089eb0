#pragma once
// Fixed names of the product that several parts of the program show or use.

namespace quillory {

// The product name: window captions and the source of the application title.
inline constexpr const char* kProductName = "Quillory";

// Build stamp that precedes the location in the error message ("in Quillory2021/08/31.").
inline constexpr const char* kBuildStamp = "Quillory2021/08/31.";

// Where users send screenshots of the error message.
inline constexpr const char* kSupportEmail = "support@marrowby.example";

}  // namespace quillory
