// The SQL text of the sample dictionary database (service/sample_dictionary.sql), built in.
#pragma once

namespace olv::service {

extern const char kSampleDictionarySql[];

}  // namespace olv::service
