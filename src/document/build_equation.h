#ifndef LUMOX_DOCUMENT_BUILD_EQUATION_H
#define LUMOX_DOCUMENT_BUILD_EQUATION_H

namespace lumox {

class CLumoxDoc;
class EquationModel;

// Calculate of the Build Equation window, free of the window: compacts the model (clearing
// entries behind a gap), refuses duplicate terms (32794), equations without y, x0 and one
// more term, and equations with as many terms as observations, then fits it as the
// document's fit. 0 on success; 1 after a message.
int CalculateEquation(CLumoxDoc& doc, EquationModel& model);

}  // namespace lumox

#endif
