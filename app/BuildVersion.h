// The version of the programs and the commit they were built from (a short
// git hash, "+changes" when the tree differed from it, or "unknown"), written
// at build time.
#pragma once

const char* buildVersion();
const char* buildCommit();
