#include "textio.h"

int IoErrorNumber(IoError e) {
    switch (e) {
    case IoError::EndOfFile: return 24;
    case IoError::SyntaxError: return 59;
    case IoError::ConversionError: return 64;
    case IoError::OpenFailure: return 30;
    case IoError::FileNotFound: return 29;
    case IoError::PermissionDenied: return 9;
    case IoError::WriteReadOnly: return 47;
    case IoError::InsufficientMemory: return 41;
    case IoError::InputRecordTooLong: return 22;
    case IoError::ReadError: return 39;
    case IoError::WriteError: return 38;
    }
    return 30;
}

const char* IoErrorText(IoError e) {
    switch (e) {
    case IoError::EndOfFile: return "end-of-file during read";
    case IoError::SyntaxError: return "list-directed I/O syntax error";
    case IoError::ConversionError: return "input conversion error";
    case IoError::OpenFailure: return "open failure";
    case IoError::FileNotFound: return "file not found";
    case IoError::PermissionDenied: return "permission to access file denied";
    case IoError::WriteReadOnly: return "write to READONLY file";
    case IoError::InsufficientMemory: return "insufficient virtual memory";
    case IoError::InputRecordTooLong: return "input record too long";
    case IoError::ReadError: return "error during read";
    case IoError::WriteError: return "error during write";
    }
    return "open failure";
}

std::string IoErrorReport(IoError e, int unit, const std::string& path) {
    std::string report = "severe (" + std::to_string(IoErrorNumber(e)) + "): " + IoErrorText(e);
    if (!path.empty()) {
        report += ", unit " + std::to_string(unit) + ", file " + path;
    }
    return report;
}

IoError IoErrorFromStatus(ReadStatus s) {
    switch (s) {
    case ReadStatus::EndOfInput: return IoError::EndOfFile;
    case ReadStatus::ConversionError: return IoError::ConversionError;
    case ReadStatus::RecordTooLong: return IoError::InputRecordTooLong;
    case ReadStatus::ReadFailure: return IoError::ReadError;
    case ReadStatus::Ok:
    case ReadStatus::SyntaxError: break;
    }
    return IoError::SyntaxError;
}
