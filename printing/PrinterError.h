#pragma once

#include <stdexcept>
#include <string>

// The one error the printer layer raises. Its text is shown to the user as
// it stands, with a full stop added by the error display.
class EPrinter : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
