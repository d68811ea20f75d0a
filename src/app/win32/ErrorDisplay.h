#pragma once
// The program's one place of error reporting.

#include <exception>

class Exception;

// Shows one error in the error box, titled with the application title, and returns when the user
// has closed it.
void ShowError(const Exception& error);

// Routes an error that escaped a handler, the creation handler or a pass of the message loop:
// a silent abort shows nothing, an error of the program's family goes to ShowError, anything
// else to the generic box.
void HandleError(void* sender, std::exception_ptr error);
