#pragma once
// Small helpers shared by the end-to-end tests of windara-cli.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <string>

namespace windara::testing {

// An SMPS design file: voltage, 50 kHz, 10 A, duty, ratio, 400 A/sq cm; grade Q.
inline std::string smpsFile(const std::string& v, const std::string& ratio,
                            const std::string& duty) {
  return "4\r\n\"" + v + "\"\r\n\"50\"\r\n\"10\"\r\n\"" + duty + "\"\r\n\"" + ratio +
         "\"\r\n\"400\"\r\n2\r\n";
}

inline bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The JSON object a command printed; a test failure when it is none.
inline QJsonObject parsed(const std::string& json) {
  QJsonParseError error{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  EXPECT_TRUE(doc.isObject());
  return doc.object();
}

}  // namespace windara::testing
