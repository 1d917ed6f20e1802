// The Qt headers every Qt Test includes, precompiled once here for all of
// them (see tests/CMakeLists.txt): parsing them was most of each test's
// build.
