# GoogleTest is built from Debian's sources for the host and for Windows alike.
set(SNAPWRIGHT_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
