#pragma once
// The per-user settings: one application, one section, twelve string keys. Every key the
// program reads or writes is declared here and nowhere else.

namespace quillory::settings {

inline constexpr const char* kApplication = "Marrowby";
inline constexpr const char* kSection = "Quillory";

inline constexpr const char* kYourName = "Your Name";
inline constexpr const char* kStreetAddress = "Street Address";
inline constexpr const char* kCity = "City";
inline constexpr const char* kZipCode = "Zip Code";
inline constexpr const char* kPhone = "Phone";
inline constexpr const char* kEmail = "Email";
inline constexpr const char* kDateOfAttendance = "Date Of Attendance";
inline constexpr const char* kSchoolName = "School Name";
inline constexpr const char* kSchoolCity = "School City";
inline constexpr const char* kDegreeObtained = "Degree Obtained";
inline constexpr const char* kWorkHistory = "Work History";
inline constexpr const char* kSkillsAndAbilities = "Skills and Abilities";

inline constexpr const char* kAllKeys[] = {
    kYourName,     kStreetAddress, kCity,           kZipCode,
    kPhone,        kEmail,         kDateOfAttendance, kSchoolName,
    kSchoolCity,   kDegreeObtained, kWorkHistory,   kSkillsAndAbilities,
};

}  // namespace quillory::settings
