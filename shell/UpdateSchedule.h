#pragma once

// The update reminder's rule: its question comes at most once in fifteen days. The date it last
// came, or of the first run, is the one setting the program keeps between runs.
//
// Returns whether the question is to be asked now, having stored today's date when it is. A first
// run stores today and asks nothing; so does a store that cannot keep today's date, its lock held
// included, since the question would otherwise come back at every start. A settings file read
// only in part is copied beside itself before it is rewritten, and the date it gave is used.
bool UpdateQuestionDue();
