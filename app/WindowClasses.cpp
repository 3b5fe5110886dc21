#include "app/WindowClasses.h"

#include "answer/Frm_exer.h"
#include "answer/Frm_t_main.h"
#include "answer/Frm_test.h"
#include "app/Frm_login.h"
#include "app/OpenBank.h"
#include "controls/Forms.h"
#include "controls/Navigation.h"
#include "review/Frm_excer_over.h"
#include "review/Frm_record.h"
#include "review/Frm_t_over.h"
#include "state/RunWindows.h"
#include "study/Frm_jdsf.h"
#include "study/Frm_study.h"

void WindowClasses::connect()
{
    // The start screen lets no one on before the bank is open, so these are made with one.
    Forms<Frm_study>::setMaker([] { return new Frm_study(*OpenBank::conn); });
    Forms<Frm_jdsf>::setMaker([] { return new Frm_jdsf(*OpenBank::conn); });
    Forms<Frm_test>::setMaker([] { return new Frm_test(*OpenBank::conn); });
    Forms<Frm_record>::setMaker([] { return new Frm_record(*OpenBank::conn); });
    Navigation::setShow([](Window window) {
        switch (window) {
        case Window::Frm_login: Forms<Frm_login>::show(); return;
        case Window::Frm_study: Forms<Frm_study>::show(); return;
        case Window::Frm_jdsf: Forms<Frm_jdsf>::show(); return;
        case Window::Frm_test: Forms<Frm_test>::show(); return;
        case Window::Frm_record: Forms<Frm_record>::show(); return;
        }
    });
    RunWindows::set({
        [](std::shared_ptr<TestRun> run) { Forms<Frm_t_main>::show(std::move(run)); },
        [](std::shared_ptr<TestRun> run) { Forms<Frm_t_over>::show(std::move(run)); },
        [](std::shared_ptr<ExerciseRun> run) { Forms<Frm_exer>::show(std::move(run)); },
        [](std::shared_ptr<ExerciseRun> run) { Forms<Frm_excer_over>::show(std::move(run)); },
    });
}
