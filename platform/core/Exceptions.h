#pragma once
// The platform's exception classes. Every error the platform or the library
// raises is an Exception with a Message; callers catch by the class they mean.

#include <exception>
#include <string>

class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  const std::string& Message() const { return FMessage; }
  void SetMessage(std::string message) { FMessage = std::move(message); }
  const char* what() const noexcept override { return FMessage.c_str(); }
  virtual const char* ClassName() const { return "Exception"; }

 private:
  std::string FMessage;
};

#define MORVANE_DECLARE_EXCEPTION(Name, Base)                     \
  class Name : public Base {                                      \
   public:                                                        \
    using Base::Base;                                             \
    const char* ClassName() const override { return #Name; }      \
  }

// Silent exception: aborts an operation without an error box.
MORVANE_DECLARE_EXCEPTION(EAbort, Exception);
MORVANE_DECLARE_EXCEPTION(EConvertError, Exception);
MORVANE_DECLARE_EXCEPTION(EInvalidCast, Exception);
MORVANE_DECLARE_EXCEPTION(EAbstractError, Exception);
MORVANE_DECLARE_EXCEPTION(EComponentError, Exception);
MORVANE_DECLARE_EXCEPTION(EStringListError, Exception);
MORVANE_DECLARE_EXCEPTION(EListError, Exception);
MORVANE_DECLARE_EXCEPTION(EInvalidOperation, Exception);
MORVANE_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
MORVANE_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception);
MORVANE_DECLARE_EXCEPTION(EPackageError, Exception);
MORVANE_DECLARE_EXCEPTION(EPropertyError, Exception);
MORVANE_DECLARE_EXCEPTION(EMenuError, Exception);
MORVANE_DECLARE_EXCEPTION(EInvalidGridOperation, Exception);
MORVANE_DECLARE_EXCEPTION(EOSError, Exception);
MORVANE_DECLARE_EXCEPTION(EOutOfMemory, Exception);
MORVANE_DECLARE_EXCEPTION(EOutOfResources, EOutOfMemory);
MORVANE_DECLARE_EXCEPTION(EResNotFound, Exception);
MORVANE_DECLARE_EXCEPTION(ERegistryException, Exception);
MORVANE_DECLARE_EXCEPTION(EIniFileException, Exception);
MORVANE_DECLARE_EXCEPTION(EPrinter, Exception);

MORVANE_DECLARE_EXCEPTION(EStreamError, Exception);
MORVANE_DECLARE_EXCEPTION(EFCreateError, EStreamError);
MORVANE_DECLARE_EXCEPTION(EFOpenError, EStreamError);
MORVANE_DECLARE_EXCEPTION(EFilerError, EStreamError);
MORVANE_DECLARE_EXCEPTION(EReadError, EFilerError);
MORVANE_DECLARE_EXCEPTION(EWriteError, EFilerError);
MORVANE_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
MORVANE_DECLARE_EXCEPTION(EMethodNotFound, EFilerError);
MORVANE_DECLARE_EXCEPTION(EInvalidImage, EFilerError);
MORVANE_DECLARE_EXCEPTION(EResNotFoundError, EFilerError);

// A syntax error in text read by TParser; knows the line it was found on. The
// message already carries the line ("... on line 12").
class EParserError : public Exception {
 public:
  EParserError(std::string message, int line) : Exception(std::move(message)), FLine(line) {}
  int Line() const { return FLine; }
  const char* ClassName() const override { return "EParserError"; }

 private:
  int FLine;
};

// Raises EAbort with its usual message; used to leave an operation quietly.
[[noreturn]] void Abort();
