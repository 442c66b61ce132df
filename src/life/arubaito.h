#pragma once
// Part-time jobs: what the job dialog (Form32) and the job-ended window
// (Form34) do to the game. A job costs stamina when it starts and is paid
// when the clock ends it.

#include <string>

namespace koratsu {

// What the dialog shows of job row r: its duration, its whole pay ("3900円")
// and its stamina cost ("-4ﾎﾟｲﾝﾄ").
struct ArubaitoTexts {
  std::string minutes, pay, stamina;
};
ArubaitoTexts DescribeArubaito(int row);

// The dialog's loading: the tutorial moves on from its job stage and the
// last choice is forgotten; the dialog then chooses its first job.
void OpenArubaito();
// The list's choice of job row r: its kind and pay are kept for the job's end.
void ChooseArubaito(int row);
// The dialog's 決定 on job row r. A job that would leave no stamina is
// refused with a message and nothing changes (false). Otherwise the stamina
// is paid, the job becomes the running activity, the dialog closes and the
// job's progress window opens (true).
bool StartArubaito(int row);

// The job-ended window's loading: the job's whole pay, with the coin sound.
void PayArubaito();

// Every time step: a job whose time has run out ends with what it teaches,
// then the job-ended window and its pay.
void EndArubaito();

}  // namespace koratsu
