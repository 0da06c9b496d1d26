#include "cli/report_command.h"

#include <ostream>

#include "cli/pdf_report.h"
#include "files/report.h"
#include "files/text_printer.h"

namespace windara::cli {

void writeTextReport(Session& session, std::ostream& out) {
  TextPrinter printer;
  mnuPrint_Click(session, printer);
  out << printer.text();
}

int runReport(const std::vector<std::string>& argv, Environment& env) {
  DesignRequest request;
  try {
    request = parseDesignRequest(argv, {{"pdf", true}, {"engineering", false}}, env);
    if (request.args.has("pdf") && request.args.last("pdf").empty())
      throw UsageError("--pdf needs a file name");
    if (request.args.has("engineering") && !request.args.has("pdf"))
      throw UsageError("--engineering writes a PDF only: give --pdf OUT");
    // The printed report is of the design on screen, as Print after Open is;
    // the engineering report is about the file's design only.
    request.showsFileWithoutDesign = !request.args.has("engineering");
  } catch (const UsageError& e) {
    env.err << "windara-cli: report: " << e.what() << "\nTry 'windara-cli --help'.\n";
    return kExitUsage;
  }
  return withOpenedDesign(request, env, [&](HeadlessProgram& program) {
    if (!request.args.has("pdf")) {
      writeTextReport(program.session(), env.out);
      return kExitOk;
    }
    const std::string out = request.args.last("pdf");
    const bool engineering = request.args.has("engineering");
    const std::string problem = engineering ? writeEngineeringPdf(program.session(), out)
                                            : writePdfReport(program.session(), out);
    if (!problem.empty()) {
      env.err << "windara-cli: cannot write the report to " << out << ": " << problem << "\n";
      return kExitUsage;
    }
    return kExitOk;
  });
}

}  // namespace windara::cli
