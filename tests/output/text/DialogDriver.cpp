// The framework tests' dialog driver, for the output dialogs run modally.
#include "framework/support/DialogDriver.cpp"
