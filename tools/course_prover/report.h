#pragma once
// The proof of a course as a table, one line per stage.
#include <string>

#include "tools/course_prover/proof.h"

namespace course {

std::string proof_report(const std::string& name, const CourseProof& proof, const ProofSettings& settings);

}  // namespace course
