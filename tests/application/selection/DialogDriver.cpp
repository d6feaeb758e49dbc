// The framework tests' dialog driver, for the selection windows here.
#include "framework/support/DialogDriver.cpp"
