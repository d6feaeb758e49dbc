// The framework tests' window screenshots, for the selection windows here.
#include "framework/support/WindowScreenshot.cpp"
